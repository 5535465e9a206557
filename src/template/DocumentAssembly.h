#pragma once

#include <QString>

namespace scrivix {

class TAnswer;
class TemplateMerge;

// Produces a page's document: calculates the page, loads its template from
// the templates folder and merges the answers into it. Throws FileError when
// the template cannot be read.
QString assembleDocument(TAnswer& store, int pageNo, const QString& templatesFolder, TemplateMerge& merge);

} // namespace scrivix
