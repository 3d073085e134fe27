#include "components/no_cd_device.h"

namespace tulvane::components {

void NoCdDevice::Open() {}
void NoCdDevice::Close() {}
void NoCdDevice::Play() {}
void NoCdDevice::Stop() {}
void NoCdDevice::Prev() {}
void NoCdDevice::Next() {}

std::uint32_t NoCdDevice::Position() const
{
    return 0;
}

int NoCdDevice::Tracks() const
{
    return 0;
}

CdMode NoCdDevice::Mode() const
{
    return CdMode::NotOpen;
}

void NoCdDevice::setUpdateInterval(int) {}
void NoCdDevice::OpenDoor() {}
void NoCdDevice::CloseDoor() {}

}  // namespace tulvane::components
