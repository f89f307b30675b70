// SPDX-License-Identifier: GPL-3.0-or-later
// The windows of the interface files made without the on-demand module, from
// plain widgets, so that the licence, the first-run choice and the help still
// show when the module is missing or refused.
#pragma once

class QIODevice;
class QWidget;

namespace ambrel {

// Makes the widgets a Designer file describes, if it uses only the few kinds
// our files use (dialogs, labels, text browsers, buttons, box layouts and
// spacers); null otherwise.
QWidget* plainForm(QIODevice& file);

}  // namespace ambrel
