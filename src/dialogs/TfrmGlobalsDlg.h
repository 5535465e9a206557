#pragma once

#include "core/GlobalDefaults.h"

#include <QDialog>

#include <array>

class QLineEdit;

namespace scrivix {

// Edits the fourteen global defaults: the preparer's name, office and
// registration, and the default place and date that documents start from.
class TfrmGlobalsDlg : public QDialog
{
    Q_OBJECT

public:
    static constexpr int ClientWidth = 742;
    static constexpr int ClientHeight = 496;

    explicit TfrmGlobalsDlg(const GlobalDefaults& globals, QWidget* parent = nullptr);

    // Shows the dialog modally; on OK the globals take the edited values and
    // the result is true. Cancel leaves them as they were.
    static bool edit(GlobalDefaults& globals, QWidget* parent);

    // The values as OK left them.
    const GlobalDefaults& globals() const { return m_globals; }
    QLineEdit* field(GlobalDefault which) const { return m_edits[std::size_t(which)]; }

public Q_SLOTS:
    void btnOkClick();

private:
    void FormCreate();

    GlobalDefaults m_globals;
    std::array<QLineEdit*, GlobalDefaults::Count> m_edits{};
};

} // namespace scrivix
