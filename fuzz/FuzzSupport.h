#pragma once
// What every fuzz target shares: a silent user who gives each message box its default answer, a
// private working directory that is the current one (the program keeps its files there), the
// input written into a file of that directory for the readers that take a name, and the clock
// profiles the program readers decode by.
#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

namespace qv::fuzz {

// Makes the application object (the transfers wait on its event loop), installs the silent
// environment and makes a fresh temporary directory the current one. Called once, from
// LLVMFuzzerInitialize.
void setUp(int* argc, char*** argv);

// The input as a file of the given name in the working directory; returns its path.
QString writeInput(const char* name, const uint8_t* data, size_t size);

inline QByteArray bytesOf(const uint8_t* data, size_t size) {
  return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

// The clock types whose images the program reads.
inline constexpr int kClockTypes[] = {240, 280, 309};

// A fresh state with the start-up's profile of the clock type (240, 280 or 309).
void useClockType(int typ);

}  // namespace qv::fuzz

// Every target defines the entry point and calls setUp() from this one.
#define QV_FUZZ_SETUP()                                              \
  extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {    \
    qv::fuzz::setUp(argc, argv);                                     \
    return 0;                                                        \
  }
