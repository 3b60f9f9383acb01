// The cause of the archive error a read raises (a test failure if none).
#pragma once
#include <gtest/gtest.h>

#include <functional>

#include "platform/archive.h"

inline ArchiveError ArchiveCause(const std::function<void()>& read) {
  try {
    read();
  } catch (const CArchiveException& e) {
    return e.Cause();
  }
  ADD_FAILURE() << "no archive error raised";
  return ArchiveError::EndOfFile;
}
