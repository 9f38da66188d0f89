#pragma once

#include "search/editor_target.h"

namespace talvek {

// An editor that can be opened at a given record (or text entry) instead of its first one.
class OpensAtRecord {
public:
    virtual ~OpensAtRecord() = default;
    // Selects the target's record as a click in the editor's list would; a record out of range is ignored.
    virtual void openAt(const EditorTarget &target) = 0;
};

} // namespace talvek
