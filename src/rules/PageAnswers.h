#pragma once

#include "core/TAnswer.h"

namespace scrivix {

// The answers of one document page, as its rule set and defaults routine see
// them: read as text, written without touching the override flag.
class PageAnswers
{
public:
    PageAnswers(TAnswer& store, int pageNo) : m_store(store), m_pageNo(pageNo) {}

    const QString& operator[](int answerNo) const { return m_store.text(m_pageNo, answerNo); }
    void set(int answerNo, const QString& text) { m_store.setText(m_pageNo, answerNo, text); }
    bool isEmpty(int answerNo) const { return (*this)[answerNo].isEmpty(); }
    int pageNo() const { return m_pageNo; }

private:
    TAnswer& m_store;
    int m_pageNo;
};

} // namespace scrivix
