#pragma once

#include "components/cd_device.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tulvane::test {

// A CD drive with a scripted disc, whose clock the test moves with `advance`. The transport
// commands act only on an open device with its door closed and a disc in, the door commands
// always, as a real drive's do. Every command is logged: "Open", "Play", "Prev", "OpenDoor",
// "UpdateInterval=100" and so on.
class FakeCdDevice final : public components::CdDevice {
public:
    // Puts a disc in the tray, by the length of each track in seconds; with the door
    // closed it is then ready, stopped at the start of track 1.
    void insertDisc(const std::vector<double>& trackSeconds);
    void removeDisc();
    // Puts the position where the test wants it.
    void moveTo(int track, int framesIntoTrack);
    // A playing disc moves on; an open device raises a status update at every
    // `UpdateInterval`, each seeing the position of its own moment.
    void advance(int milliseconds);

    int updateInterval() const { return interval_; }
    const std::vector<std::string>& calls() const { return calls_; }

    void Open() override;
    void Close() override;
    void Play() override;
    void Stop() override;
    void Prev() override;
    void Next() override;
    std::uint32_t Position() const override;
    int Tracks() const override;
    components::CdMode Mode() const override;
    void setUpdateInterval(int milliseconds) override;
    void OpenDoor() override;
    void CloseDoor() override;

private:
    bool ready() const;
    void moveClock(int milliseconds);

    std::vector<int> trackFrames_;
    std::vector<std::string> calls_;
    bool open_ = false;
    bool doorOpen_ = false;
    bool playing_ = false;
    int track_ = 1;
    int frame_ = 0;
    // Thousandths of a frame not yet played, so that short steps add up exactly.
    int frameRemainder_ = 0;
    int interval_ = 1000;
    int sinceUpdate_ = 0;
    std::int64_t now_ = 0;
    std::optional<std::int64_t> lastPrev_;
};

}  // namespace tulvane::test
