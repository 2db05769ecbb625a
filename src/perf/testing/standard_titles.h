#pragma once
#include <cstdint>
#include <string>

#include "perf/replay_file.h"

// Title tables like those of an English Windows installation: the standard
// indexes of the objects and counters the program relies on, and, unless
// compact, filler titles up to about ten thousand entries, some of them
// repeated (as real tables repeat titles).
namespace haltwise::perftest {

namespace titles {
inline constexpr std::uint32_t kSystem = 2;
inline constexpr std::uint32_t kMemory = 4;
inline constexpr std::uint32_t kProcessorTime = 6;
inline constexpr std::uint32_t kProcess = 230;
inline constexpr std::uint32_t kThread = 232;
inline constexpr std::uint32_t kPhysicalDisk = 234;
inline constexpr std::uint32_t kLogicalDisk = 236;
inline constexpr std::uint32_t kProcessor = 238;
inline constexpr std::uint32_t kDiskBytesPerSec = 218;
inline constexpr std::uint32_t kBytesReceivedPerSec = 264;
inline constexpr std::uint32_t kBytesTotalPerSec = 388;
inline constexpr std::uint32_t kBytesSentPerSec = 506;
inline constexpr std::uint32_t kNetworkInterface = 510;
inline constexpr std::uint32_t kIdProcess = 784;
inline constexpr std::uint32_t kIdThread = 804;
// Base counters and timestamps carry indexes without a title.
inline constexpr std::uint32_t kUntitledDiskTimestamp = 1484;
inline constexpr std::uint32_t kUntitledIdleTimestamp = 1486;
inline constexpr std::uint32_t kUntitledFreeSpaceBase = 1488;
// The object with one counter of every common type.
inline constexpr std::uint32_t kCounterTypeSamples = 7000;
}  // namespace titles

struct TitleTables {
  TitlePairs counter;
  TitlePairs help;
};

// Every title the machine model uses, with `fillerEntries` more (0 for a
// compact table). The help index of a title is its index plus one.
TitleTables MakeTitleTables(int fillerEntries);
inline constexpr int kRealisticFillerEntries = 9800;

// The tables of a localized installation, "007" (German) or "004" (Chinese):
// the English tables with the standard objects and counters translated, as
// a German or Chinese Windows names them. Other languages fail.
TitleTables LocalizedTitleTables(const TitleTables& english, const std::string& language);

// The title of a standard index, for building fixtures; empty if unknown.
std::string StandardTitle(std::uint32_t index);

}  // namespace haltwise::perftest
