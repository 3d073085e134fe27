#include "player/porte_cd.h"

#include "app/contexte.h"
#include "components/cd_device.h"

namespace tulvane::player {

void fnEjecterCD(app::Contexte& contexte)
{
    contexte.cd().OpenDoor();
}

void fnFermerCD(app::Contexte& contexte)
{
    contexte.cd().CloseDoor();
}

}  // namespace tulvane::player
