#include "rules/TransferGlobals.h"

#include "core/GlobalDefaults.h"
#include "rules/DocumentPages.h"
#include "text/Messages.h"

namespace scrivix {

void TransferGlobals(TAnswer& store, int currentPageNo, const GlobalDefaults& globals)
{
    if (globals.value(GlobalDefault::AttorneyName).isEmpty())
        ShowNumberedMessage(11300);
    if (const DefaultsRoutine defaults = defaultsRoutineFor(currentPageNo))
        defaults(store, globals);
}

} // namespace scrivix
