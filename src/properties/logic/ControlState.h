#pragma once

#include <string>
#include <vector>

namespace vantorel {

// The kinds of control a property page is made of.
enum class ControlKind {
    List,       // drop-down list, list box or (editable) combo box
    Text,       // edit box, one line or several
    Number,     // edit box for a number, often with a spin
    Check,      // check box, two or three states
    Radio,      // a group of radio buttons
    CheckList,  // list of items with a check each
    Button,
    Label,
};

// What a control holds: the part a user changes.
struct ControlValue {
    // List and Radio: the selected position, -1 for none. Check: 0 unchecked,
    // 1 checked, 2 indeterminate.
    int index = -1;
    // Text, Number, Label, Button, and the text of an editable list.
    std::string text;
    // CheckList: the state of each item (0, 1, 2). A list with multiple
    // selection: the selected positions, ascending.
    std::vector<int> states;

    bool operator==(const ControlValue&) const = default;
};

// One control of a page: what it is, what it offers, what it shows. Texts are
// UTF-8; multi-line texts keep CR LF line breaks, as the mission does.
struct ControlState {
    int id = 0;
    ControlKind kind = ControlKind::Label;
    // The caption beside or on the control, with '&' before its mnemonic,
    // and a word after it ("Min").
    std::string label;
    std::string suffix;
    // What messages call the field, when the caption does not say it ("Time
    // (Sec)" for a box whose caption stands before another box).
    std::string name;
    // List, Radio and CheckList entries; the suggestions of an editable list.
    std::vector<std::string> items;
    // Radio: the id of each button (the group is known by the first).
    std::vector<int> buttonIds;

    bool enabled = true;
    bool visible = true;
    bool listBox = false;      // List: shown as a list box, not a drop-down
    bool editable = false;     // List: the text can be typed (a combo box)
    bool multiSelect = false;  // List: several entries can be selected
    bool tabs = false;         // Radio: shown as a tab strip over the controls it switches
    bool tristate = false;     // Check, CheckList: offers the indeterminate state
    bool multiline = false;    // Text
    bool readOnly = false;     // Text
    bool decimal = false;      // Number: accepts a decimal point
    int maxLength = 0;         // Text, editable List: the longest text, 0 for none
    int spinMin = 0;           // Number: the spin's range, when spinMax >= spinMin
    int spinMax = -1;

    ControlValue value;   // as shown now
    ControlValue loaded;  // as shown right after the page loaded
    // Shows the state for records that differ (no selection, empty text,
    // indeterminate, ...). A user's change ends it.
    bool mixed = false;
    bool loadedMixed = false;

    // The user changed the control since the page loaded.
    bool Touched() const { return !(value == loaded); }
    bool HasSpin() const { return spinMax >= spinMin; }
    // The text the control shows: the selected entry of a list, the checked
    // button of a radio group, else its text or caption.
    std::string ShownText() const;
    // The field's name in messages: `name`, else the caption without its
    // mnemonic and colon, with the word after the box ("Time (Min)").
    std::string FieldName() const;
};

}  // namespace vantorel
