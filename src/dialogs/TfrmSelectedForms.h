#pragma once

#include <QDialog>

class QCheckBox;
class QTabWidget;

namespace scrivix {

// Picks one document from check boxes laid out like the document tree, for
// preview and print, Modify Templates and Check/Fix Template.
class TfrmSelectedForms : public QDialog
{
    Q_OBJECT

public:
    enum Mode { PreviewPrint = 0, ModifyTemplate = 1, CheckTemplate = 2 };

    // currentPageNo pre-checks the page on screen; previousSelection is the
    // result when OK is pressed with nothing checked.
    TfrmSelectedForms(Mode mode, int currentPageNo, int previousSelection, QWidget* parent = nullptr);

    int selectedPage() const { return m_selected; }
    QCheckBox* boxForPage(int pageNo) const;
    QTabWidget* tabs() const { return m_tabs; }

public Q_SLOTS:
    void OkClick();
    void CheckAll();

private:
    QTabWidget* m_tabs;
    QList<QCheckBox*> m_creationOrder;
    int m_selected;
};

} // namespace scrivix
