// SPDX-License-Identifier: GPL-3.0-or-later
// A platform-neutral description of a window: its boxes of labelled cells,
// its choices and its buttons. Both platforms build windows from it, so the
// tags a controller uses and the cells on screen come from the same table.
#pragma once

#include "framework/translatable.h"

#include <string>
#include <vector>

namespace ambrel {

// The title of every window's button that opens its notebook.
inline constexpr const char* kNotebookButton = AMBREL_TEXT("&Notebook");

enum class FieldKind { Number, Text };

struct FieldPlan {
    std::string outlet;  // e.g. "FeetField"
    std::string label;   // what a person reads, e.g. "foot"
    int box = 0;         // index into WindowPlan::boxes
    int tag = 0;         // position within its box
    FieldKind kind = FieldKind::Number;
    bool readOnly = false;
};

struct BoxPlan {
    std::string outlet;  // e.g. "ImperialBox"
    std::string title;   // e.g. "Imperial and nautical"
    std::string action;  // selector sent when a cell is confirmed
};

struct ChoiceItem {
    int tag = 0;
    std::string title;
};

struct ChoicePlan {
    std::string outlet;
    std::string title;
    std::string action;  // may be empty: the choice only records a selection
    std::vector<ChoiceItem> items;
    bool radio = false;  // radio buttons, otherwise a pop-up
    int initialTag = 0;
};

struct ButtonPlan {
    std::string title;
    std::string action;
};

struct WindowPlan {
    std::string outlet;  // e.g. "LenghtWindow"
    std::string title;
    std::vector<BoxPlan> boxes;
    std::vector<FieldPlan> fields;
    std::vector<ChoicePlan> choices;
    std::vector<ButtonPlan> buttons;
    // What the help key (F1) sends: the notebook's action.
    std::string helpAction;

    // The "Notebook" button, which the help key presses too.
    void addNotebookButton(std::string action)
    {
        buttons.push_back({kNotebookButton, action});
        helpAction = std::move(action);
    }
};

}  // namespace ambrel
