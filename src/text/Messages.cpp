#include "text/Messages.h"

#include "text/MessageCatalogue.h"

#include <cstdio>

namespace scrivix {

namespace {

int g_diagnosticPageNo = 0;
int g_diagnosticVarNo = 0;

void presentOnStderr(const QString& text)
{
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    std::fflush(stderr);
}

MessagePresenter& presenter()
{
    static MessagePresenter current = presentOnStderr;
    return current;
}

bool appendsExtraText(int catalogueNo)
{
    switch (catalogueNo) {
    case 1107:
    case 1126:
    case 1210:
    case 1601:
    case 2120:
        return true;
    default:
        return false;
    }
}

} // namespace

QString CreateErrorString(quint16 messageNo, const QString& extraText)
{
    const int catalogueNo = messageNo / 10;
    const QString text = MessageCatalogue::text(catalogueNo);
    if (text.isNull())
        return QStringLiteral("Unidentified error -  ") + QString::number(messageNo);
    if (appendsExtraText(catalogueNo))
        return text + extraText;
    if (catalogueNo == 2118)
        return text + QString::number(g_diagnosticPageNo) + QStringLiteral("; Var - ") +
               QString::number(g_diagnosticVarNo);
    return text;
}

void ShowNumberedMessage(quint16 messageNo, const QString& extraText)
{
    const QString text = CreateErrorString(messageNo, extraText);
    // Copy first: a presenter may install another one while it runs.
    const MessagePresenter show = presenter();
    show(text);
}

void ShowError(const QString& text)
{
    const MessagePresenter show = presenter();
    show(text);
}

MessagePresenter setMessagePresenter(MessagePresenter newPresenter)
{
    MessagePresenter previous = std::move(presenter());
    presenter() = newPresenter ? std::move(newPresenter) : MessagePresenter(presentOnStderr);
    return previous;
}

void setMergeDiagnostics(int pageNo, int varNo)
{
    g_diagnosticPageNo = pageNo;
    g_diagnosticVarNo = varNo;
}

} // namespace scrivix
