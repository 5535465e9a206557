#include "template/DocumentAssembly.h"

#include "core/TAnswer.h"
#include "template/TemplateFile.h"
#include "template/TemplateMerge.h"

namespace scrivix {

QString assembleDocument(TAnswer& store, int pageNo, const QString& templatesFolder, TemplateMerge& merge)
{
    store.Calculate(pageNo, true);
    QString document = TemplateFile::load(TemplateFile::path(templatesFolder, pageNo));
    merge.TransferDocument(document, store, pageNo);
    return document;
}

} // namespace scrivix
