#pragma once

#include <functional>
#include <string_view>

#include "store/wine/Records.h"
#include "store/wine/Section.h"

namespace store::wine {

// Calls `visit` with the records of every section that names the key at
// `path`, each section line first, and reads no other part of the file
// record by record. True when a section names the key or a key below it,
// which is when Wine has the key.
bool VisitKeyRecords(std::string_view text, const KeyPath& path,
                     const std::function<void(const Record&)>& visit);

}  // namespace store::wine
