// The collection records stored files use: a count (CArchive::WriteCount)
// followed by the elements.  Readers check every count against the bytes
// left before they allocate, and own what they read until they hand it over,
// so a failure part-way frees everything read so far.
#pragma once
#include <list>
#include <memory>
#include <set>
#include <utility>
#include <vector>

#include "platform/archive.h"

// Object list and object array: count, then each object (null allowed).
template <class Range>
void WriteObList(CArchive& ar, const Range& objects) {
  ar.WriteCount(static_cast<DWORD>(std::size(objects)));
  for (const auto* object : objects) ar.WriteObject(object);
}

template <class T>
std::vector<std::unique_ptr<T>> ReadObList(CArchive& ar) {
  const DWORD count = ar.ReadCount(sizeof(WORD));
  std::vector<std::unique_ptr<T>> objects;
  objects.reserve(count);
  for (DWORD i = 0; i < count; ++i) objects.push_back(ar.ReadOwned<T>());
  return objects;
}

template <class Range>
void WriteObArray(CArchive& ar, const Range& objects) { WriteObList(ar, objects); }

template <class T>
std::vector<std::unique_ptr<T>> ReadObArray(CArchive& ar) { return ReadObList<T>(ar); }

// Word array and word list: count, then each WORD.
template <class Range>
void WriteWordArray(CArchive& ar, const Range& words) {
  ar.WriteCount(static_cast<DWORD>(std::size(words)));
  for (WORD w : words) ar << w;
}

inline std::vector<WORD> ReadWordArray(CArchive& ar) {
  const DWORD count = ar.ReadCount(sizeof(WORD));
  std::vector<WORD> words(count);
  for (WORD& w : words) ar >> w;
  return words;
}

template <class Range>
void WriteWordList(CArchive& ar, const Range& words) { WriteWordArray(ar, words); }

inline std::list<WORD> ReadWordList(CArchive& ar) {
  std::vector<WORD> words = ReadWordArray(ar);
  return std::list<WORD>(words.begin(), words.end());
}

// Word-to-object map: count, then WORD key and object per entry, in the
// map's own order.  A key stored twice is BadData (the second entry would
// silently replace, and leak, the first).
template <class Range>
void WriteWordObMap(CArchive& ar, const Range& entries) {
  ar.WriteCount(static_cast<DWORD>(std::size(entries)));
  for (const auto& [key, object] : entries) {
    ar << static_cast<WORD>(key);
    ar.WriteObject(object);
  }
}

template <class T>
std::vector<std::pair<WORD, std::unique_ptr<T>>> ReadWordObMap(CArchive& ar) {
  const DWORD count = ar.ReadCount(2 * sizeof(WORD));
  std::vector<std::pair<WORD, std::unique_ptr<T>>> entries;
  entries.reserve(count);
  std::set<WORD> keys;
  for (DWORD i = 0; i < count; ++i) {
    const WORD key = ar.ReadWord();
    if (!keys.insert(key).second)
      throw CArchiveException(ArchiveError::BadData, "map key " + std::to_string(key) + " repeated");
    entries.emplace_back(key, ar.ReadOwned<T>());
  }
  return entries;
}
