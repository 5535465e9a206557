#pragma once

class QWidget;

namespace scrivix {

class TAnswer;

// Keeps a loaded screen and the answers of its page in step, by the Tag of
// each control: answers into controls (formatted, with the override look of
// calculated fields), and what the user typed back into the answers.
class ScreenBinding
{
public:
    static void Answer2Components(QWidget* container, const TAnswer& store, int pageNo);
    static void Components2Answers(QWidget* container, TAnswer& store, int pageNo);
};

} // namespace scrivix
