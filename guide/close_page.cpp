#include "guide/close_page.h"

// Opening the maker's page comes with the guidance; until then the close
// simply goes ahead.
HandlerResult CloseTimePage()
{
    return HandlerResult::NoValue;
}
