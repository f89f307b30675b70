// SPDX-License-Identifier: GPL-3.0-or-later
// A controller that owns one window built from a description. The window is
// built on first use, so start-up pays only for the windows it shows.
#pragma once

#include "framework/controller.h"
#include "framework/exact_value.h"
#include "framework/platform.h"
#include "framework/translatable.h"
#include "framework/window_plan.h"

#include <optional>
#include <string>
#include <string_view>

namespace ambrel {

class WindowController : public Controller {
public:
    WindowController(Platform& platform, WindowPlan plan);

    const WindowPlan& plan() const { return plan_; }
    // The built window; builds it if needed.
    BuiltWindow& parts();
    bool isBuilt() const { return built_; }

    // Lookups by outlet name; -1 or nullptr if there is none.
    int fieldIndex(std::string_view outlet) const;
    Field* field(std::string_view outlet);
    Choice* choice(std::string_view outlet);

    // Which table set the window converts with: exact definitions or the
    // classic tables. The title says when it is the latter. A controller made
    // on its own keeps its tables as listed; the menu and the command line
    // always say which set. A window not yet built takes the set when it is
    // built.
    virtual void setExactDefinitions(bool on);
    bool exactDefinitions() const { return exact_; }

    // `amount` of the unit a person named `unit`, in the unit of cell
    // `fieldIndex`, exact where both units have exact sizes; none when the
    // window has no such unit for that cell.
    virtual std::optional<ExactValue> amountIn(int fieldIndex, std::string_view unit, const ExactValue& amount);
    // Why amountIn took no `unit`, in a person's words.
    virtual std::string unitRefusal(std::string_view unit);
    // What cell `to` would show after `amount` is entered into cell `from`,
    // worked out without touching the cells; none when only the whole
    // window's conversion can tell. A batch of many numbers into one field
    // uses it.
    virtual std::optional<double> convertedValue(int from, int to, const ExactValue& amount);

    // A number a person typed into cell `fieldIndex`, as written; the cell
    // holds the double nearest to it.
    void noteTypedValue(int fieldIndex, const ExactValue& value);

    // Why a result shows no number (it is infinite or not a number), in a
    // person's words, for the note line; empty when every result has one.
    virtual std::string resultNote() { return {}; }

    // Why the last entry in a text cell was refused, for the status line.
    const std::string& refusalMessage() const { return refusal_; }

    // Why cell `fieldIndex` takes no `value` although it is a number (a
    // temperature below absolute zero), in a person's words; empty when it
    // takes it. A refused value changes nothing.
    virtual std::string entryRefusal(int fieldIndex, const ExactValue& value);

    // What the last calculation did beyond converting (a value capped, a
    // box written through a link), in a person's words, for the note line;
    // empty when it only converted.
    const std::string& calculationNote() const { return calculationNote_; }

    // The window's notebook action: shows the document `name` in the shared
    // notebook window. Returns whether the document was found.
    bool showNotebookDocument(std::string_view name);

protected:
    Platform& platform() { return platform_; }
    Field& fieldAt(int index) { return *parts().fields[index]; }
    Box& boxAt(int index) { return *parts().boxes[index]; }
    Window& window() { return *parts().window; }

    // Centre the window, bring it to the front, then select `tag` of box
    // `box` (nothing when box is negative).
    void openWindow(int box, int tag);
    void setRefusalMessage(std::string message) { refusal_ = std::move(message); }
    void setCalculationNote(std::string note) { calculationNote_ = std::move(note); }
    // What cell `index` holds, exactly: the number typed into it while the
    // cell still holds that, otherwise the cell's double.
    ExactValue heldValue(int index);
    // Called once the window is built, to show the table set in use.
    virtual void showTableSet();

private:
    Platform& platform_;
    WindowPlan plan_;
    BuiltWindow parts_;
    bool built_ = false;
    bool exact_ = false;
    std::string refusal_;
    std::string calculationNote_;
    int typedField_ = -1;
    double typedDouble_ = 0;
    ExactValue typedValue_;
};

}  // namespace ambrel
