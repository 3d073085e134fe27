#pragma once

#include "components/cd_device.h"

namespace tulvane::components {

// The CD device of a machine without a drive: it never opens, every command does nothing,
// and no status update ever comes, so the player shows its request for a disc.
class NoCdDevice final : public CdDevice {
public:
    void Open() override;
    void Close() override;
    void Play() override;
    void Stop() override;
    void Prev() override;
    void Next() override;
    std::uint32_t Position() const override;
    int Tracks() const override;
    CdMode Mode() const override;
    void setUpdateInterval(int milliseconds) override;
    void OpenDoor() override;
    void CloseDoor() override;
};

}  // namespace tulvane::components
