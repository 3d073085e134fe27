#include "fakes/fake_cd_device.h"

#include <algorithm>
#include <cmath>

namespace tulvane::test {

using components::CdMode;

namespace {

constexpr int kPrevAgainMs = 3000;

}  // namespace

void FakeCdDevice::insertDisc(const std::vector<double>& trackSeconds)
{
    trackFrames_.clear();
    for (const double seconds : trackSeconds)
        trackFrames_.push_back(static_cast<int>(std::lround(seconds * components::kFramesParSeconde)));
    track_ = 1;
    frame_ = 0;
    playing_ = false;
}

void FakeCdDevice::removeDisc()
{
    trackFrames_.clear();
    playing_ = false;
}

void FakeCdDevice::moveTo(int track, int framesIntoTrack)
{
    track_ = track;
    frame_ = framesIntoTrack;
}

void FakeCdDevice::advance(int milliseconds)
{
    while (milliseconds > 0) {
        const bool updating = open_ && interval_ > 0;
        const int step = updating ? std::min(milliseconds, interval_ - sinceUpdate_) : milliseconds;
        moveClock(step);
        milliseconds -= step;
        if (!updating)
            continue;
        sinceUpdate_ += step;
        if (sinceUpdate_ == interval_) {
            sinceUpdate_ = 0;
            raiseStatusUpdate();
        }
    }
}

void FakeCdDevice::Open()
{
    calls_.emplace_back("Open");
    open_ = true;
}

void FakeCdDevice::Close()
{
    calls_.emplace_back("Close");
    open_ = false;
    playing_ = false;
}

void FakeCdDevice::Play()
{
    calls_.emplace_back("Play");
    const bool atEnd = ready() && track_ == Tracks() && frame_ >= trackFrames_.back();
    if (ready() && !atEnd)
        playing_ = true;
}

void FakeCdDevice::Stop()
{
    calls_.emplace_back("Stop");
    playing_ = false;
}

void FakeCdDevice::Prev()
{
    calls_.emplace_back("Prev");
    if (!ready())
        return;
    if (lastPrev_ && now_ - *lastPrev_ < kPrevAgainMs)
        track_ = std::max(1, track_ - 1);
    frame_ = 0;
    frameRemainder_ = 0;
    lastPrev_ = now_;
}

void FakeCdDevice::Next()
{
    calls_.emplace_back("Next");
    if (!ready() || track_ >= Tracks())
        return;
    ++track_;
    frame_ = 0;
    frameRemainder_ = 0;
}

std::uint32_t FakeCdDevice::Position() const
{
    if (!ready())
        return 0;
    const int seconds = frame_ / components::kFramesParSeconde;
    return components::packTmsf(track_, seconds / 60, seconds % 60, frame_ % components::kFramesParSeconde);
}

int FakeCdDevice::Tracks() const
{
    return open_ && !doorOpen_ ? static_cast<int>(trackFrames_.size()) : 0;
}

components::CdMode FakeCdDevice::Mode() const
{
    if (!open_)
        return CdMode::NotOpen;
    if (doorOpen_)
        return CdMode::DoorOpen;
    if (trackFrames_.empty())
        return CdMode::NoMedia;
    return playing_ ? CdMode::Playing : CdMode::Stopped;
}

void FakeCdDevice::setUpdateInterval(int milliseconds)
{
    calls_.push_back("UpdateInterval=" + std::to_string(milliseconds));
    interval_ = milliseconds;
    sinceUpdate_ = 0;
}

void FakeCdDevice::OpenDoor()
{
    calls_.emplace_back("OpenDoor");
    doorOpen_ = true;
    playing_ = false;
}

void FakeCdDevice::CloseDoor()
{
    calls_.emplace_back("CloseDoor");
    if (doorOpen_ && !trackFrames_.empty()) {
        track_ = 1;
        frame_ = 0;
    }
    doorOpen_ = false;
}

bool FakeCdDevice::ready() const
{
    return Tracks() > 0;
}

void FakeCdDevice::moveClock(int milliseconds)
{
    now_ += milliseconds;
    if (!playing_)
        return;
    frameRemainder_ += milliseconds * components::kFramesParSeconde;
    frame_ += frameRemainder_ / 1000;
    frameRemainder_ %= 1000;
    while (frame_ >= trackFrames_[static_cast<std::size_t>(track_ - 1)]) {
        if (track_ == Tracks()) {
            frame_ = trackFrames_.back();
            playing_ = false;
            return;
        }
        frame_ -= trackFrames_[static_cast<std::size_t>(track_ - 1)];
        ++track_;
    }
}

}  // namespace tulvane::test
