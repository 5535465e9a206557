#include "app/StyleSheet.h"
#include "app/TfrmMain.h"
#include "core/TAnswer.h"
#include "text/Messages.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Scrivix"));
    QApplication::setApplicationVersion(QString::number(scrivix::TAnswer::CurrentVersionNo, 'f', 2));
    if (QIcon::themeName().isEmpty() || QIcon::themeName() == QLatin1String("hicolor"))
        QIcon::setThemeName(QStringLiteral("Adwaita"));
    app.setStyleSheet(scrivix::scrivixStyleSheet());

    scrivix::setMessagePresenter([](const QString& text) {
        QMessageBox::warning(QApplication::activeWindow(),
                             QStringLiteral("Warning"),
                             text,
                             QMessageBox::Ok | QMessageBox::Cancel);
    });

    scrivix::TfrmMain window(scrivix::Folders::defaults());
    window.show();
    return app.exec();
}
