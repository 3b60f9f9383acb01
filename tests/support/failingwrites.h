// A disk that fills up while a file is saved: the first write takes half of
// what it is given, every later one fails with "no space left".
#pragma once
#include <cerrno>
#include <unistd.h>

#include "platform/filebytes.h"

class ScopedFullDisk {
 public:
  ScopedFullDisk() : m_previous(SetFileWriteFunction(&HalfThenFull)) { s_writes = 0; }
  ~ScopedFullDisk() { SetFileWriteFunction(m_previous); }
  ScopedFullDisk(const ScopedFullDisk&) = delete;
  ScopedFullDisk& operator=(const ScopedFullDisk&) = delete;

 private:
  static ssize_t HalfThenFull(int fd, const void* data, size_t size) {
    if (s_writes++ == 0 && size > 1) return ::write(fd, data, size / 2);
    errno = ENOSPC;
    return -1;
  }
  static inline int s_writes = 0;
  FileWriteFunction m_previous;
};
