#pragma once

#include "ui/AppServices.h"
#include "ui/CommandTarget.h"

namespace vantorel {

class CLevelPropertiesBar;
class CQVDoc;

// The commands that work on one document: Undo and Redo, Cut, Copy and
// Paste, Select All, None and Invert, Save, the Flight Group and Message
// commands and View Selection.
// The main frame asks it for the active document, after the active view.
class DocumentCommands final : public CommandTarget {
public:
    DocumentCommands(CQVDoc& doc, CLevelPropertiesBar* bar, AppServices& services)
        : doc_(doc), bar_(bar), services_(services) {}

    bool OnCommand(int id) override;
    bool OnUpdateCommand(int id, CommandState& state) override;

private:
    // Delete Flightgroup, offering the mission check when fields elsewhere
    // named the deleted flight groups or ones after them by position.
    void DeleteFlightGroups();
    // Select All, Select None, Invert Selection: the windows follow, as for
    // a selection made on the map or in the list.
    void ChangeSelection(int id);
    // The new flight group wizard, modal; its Finish adds to this mission.
    void OnFlightGroupWizard();
    // The bar, when it works on this document.
    CLevelPropertiesBar* Bar() const;

    CQVDoc& doc_;
    CLevelPropertiesBar* bar_;
    AppServices& services_;
};

}  // namespace vantorel
