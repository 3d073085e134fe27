#pragma once

#include <cstdint>
#include <functional>
#include <utility>

namespace tulvane::components {

// A position in the tracks/minutes/seconds/frames time format, one byte each from the
// lowest up; minutes and seconds count from the start of the track, 75 frames a second.
constexpr std::uint32_t packTmsf(int track, int minutes, int seconds, int frames)
{
    return static_cast<std::uint32_t>(track & 0xFF) | static_cast<std::uint32_t>(minutes & 0xFF) << 8
         | static_cast<std::uint32_t>(seconds & 0xFF) << 16
         | static_cast<std::uint32_t>(frames & 0xFF) << 24;
}

constexpr int kFramesParSeconde = 75;

enum class CdMode {
    NotOpen,   // the device was not opened, or there is no drive
    NoMedia,   // open, door closed, no audio disc (or the drive is not ready)
    DoorOpen,  // open, the tray is out
    Stopped,   // open, a disc is in, not playing
    Playing,
};

// The CD-audio device as the multimedia control offers it (`MMControl1`): the commands
// Open, Play, Stop, Prev, Next, the position in the tracks/minutes/seconds/frames format,
// the track count and a status update every `UpdateInterval`; plus the door commands
// that the program sends as command strings. No command reports failure: without a drive
// or a disc they do nothing, and `Mode`, `Tracks` and `Position` tell what happened.
class CdDevice {
public:
    virtual ~CdDevice() = default;

    // Opens the CD-audio device; status updates begin. Opening an open device does nothing.
    virtual void Open() = 0;
    // Closes the device; status updates end.
    virtual void Close() = 0;

    // Plays from the current position to the end of the disc; a disc played to its end
    // stops there.
    virtual void Play() = 0;
    // Stops and keeps the position.
    virtual void Stop() = 0;
    // To the start of the current track; a second Prev within 3 seconds of the one before
    // goes to the start of the previous track (track 1 stays at track 1). Playing goes on.
    virtual void Prev() = 0;
    // To the start of the next track; on the last track nothing happens. Playing goes on.
    virtual void Next() = 0;

    // The current position packed by `packTmsf`; 0 without a disc.
    virtual std::uint32_t Position() const = 0;
    // The number of tracks on the disc; 0 without a disc.
    virtual int Tracks() const = 0;
    virtual CdMode Mode() const = 0;

    // Milliseconds between two status updates while the device is open; 0 stops them.
    virtual void setUpdateInterval(int milliseconds) = 0;

    // Return once the door has opened (playing stops) or closed (a disc in the tray is
    // then stopped at the start of track 1). They need not go through `Open`.
    virtual void OpenDoor() = 0;
    virtual void CloseDoor() = 0;

    // Runs at every status update, from the event loop.
    void setStatusUpdate(std::function<void()> handler) { statusUpdate_ = std::move(handler); }

protected:
    void raiseStatusUpdate() const
    {
        if (statusUpdate_)
            statusUpdate_();
    }

private:
    std::function<void()> statusUpdate_;
};

}  // namespace tulvane::components
