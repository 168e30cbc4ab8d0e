#pragma once

#include <QStringList>

namespace e2e {

// Gives the test desktop another keyboard layout with setxkbmap, e.g. {"fr"} or
// {"-layout", "us,es"}; returns whether setxkbmap succeeded.
bool SetLayout(const QStringList& setxkbmapArguments);

// Puts the desktop's Spanish layout back when it goes, whatever the test did meanwhile.
class SpanishLayoutAfterwards {
  public:
    SpanishLayoutAfterwards() = default;
    ~SpanishLayoutAfterwards();
    SpanishLayoutAfterwards(const SpanishLayoutAfterwards&) = delete;
    SpanishLayoutAfterwards& operator=(const SpanishLayoutAfterwards&) = delete;
};

}  // namespace e2e
