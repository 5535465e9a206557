#pragma once

namespace scrivix {

// What the calculation cycle needs of the screen. The window implements it;
// with none attached the store runs headless and these steps do nothing.
class CalcScreen
{
public:
    virtual ~CalcScreen() = default;

    // Copies every bound control of the main panel into the current page's answers.
    virtual void Components2Answers() = 0;
    // Copies the current page's answers into the controls, with their override styles.
    virtual void Answer2Components() = 0;
    // Refreshes the enabled and visible state of menus and buttons.
    virtual void UpdateMenuItems() = 0;
    virtual void showWaitCursor() = 0;
    virtual void showDefaultCursor() = 0;
};

} // namespace scrivix
