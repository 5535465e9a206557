#pragma once

class QWidget;

namespace scrivix {

class ScreenEventFilter;
class ScreenHandlers;
class TAnswer;

// Wires and styles the controls of a freshly loaded screen, and gives the
// first field of a page the focus.
class ScreenControls
{
public:
    struct Options
    {
        bool ghostPrompts = true;
        bool shrinkFonts = false;
    };

    // Every control inside the container, nested containers first.
    static void DisplayControls(QWidget* container,
                                ScreenHandlers& handlers,
                                ScreenEventFilter& events,
                                const Options& options,
                                const TAnswer& store);

    // The Tag of the control that has the focus when a page is shown, or 0.
    static int firstFocusTag(int pageNo);
    // Gives the focus to the edit, check box, button or memo with the Tag;
    // true when one was found.
    static bool FocusControlByTag(QWidget* container, int tag);
};

} // namespace scrivix
