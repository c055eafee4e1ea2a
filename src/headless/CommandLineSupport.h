#pragma once

// What every headless mode of the command line shares: its exit statuses,
// how it reports, the application object it draws with and how it ends.

#include <string>
#include <thread>

inline constexpr int kFailureStatus = 1;
inline constexpr int kBadUsageStatus = 2;

// Prints message and the usage text on standard error; returns kBadUsageStatus.
int badUsage(const std::string& message);
// Prints message on standard error; returns kFailureStatus.
int failWith(const std::string& message);

// Fonts, images and PDF pages need an application object; it runs on the
// offscreen platform, which needs no display whatever the desktop session
// names. Loading the font configuration, the largest fixed cost, runs on the
// returned thread beside the application's start: join it before the first
// text is drawn. The object is never destroyed: the process ends with
// endProcess().
std::thread startHeadlessGui();

// Ends the process once its output is committed, without tearing the
// application object down (which would load the whole font configuration
// just to release it, taking longer than reading and plotting a full set).
[[noreturn]] void endProcess(int status);
