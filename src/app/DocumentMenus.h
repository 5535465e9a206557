#pragma once

#include <span>

namespace scrivix {

// The documents as the tree and the Display menu list them: each entry's text
// and the page it shows. The two differ in order and wording here and there.
struct DocumentEntry
{
    const char* text;
    int page;
};

struct DocumentCategory
{
    const char* text;
    std::span<const DocumentEntry> entries;
};

class DocumentMenus
{
public:
    static std::span<const DocumentCategory> tree();
    static std::span<const DocumentCategory> displayMenu();
    // The tree item that stands for a page while it is shown: pages 0 to 4 and 6 to 11 only.
    static bool selectsTreeItem(int pageNo);
};

} // namespace scrivix
