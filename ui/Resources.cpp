#include "ui/Resources.h"

#include <QtGlobal>

void InitQuiltoResources() {
    Q_INIT_RESOURCE(quilto);
}
