#include "res/OrbekResources.h"

#include <QtCore/QResource>

// Q_INIT_RESOURCE must be used outside any namespace.
void InitOrbekResources()
{
    static const bool done = [] {
        Q_INIT_RESOURCE(orbek);
        return true;
    }();
    (void)done;
}
