#include "read_trace.h"

namespace talvek {

thread_local ReadTrace *ReadTrace::active_ = nullptr;
thread_local int ReadTrace::labelDepth_ = 0;

ReadTrace::ReadTrace() : previous_(active_)
{
    active_ = this;
}

ReadTrace::~ReadTrace()
{
    active_ = previous_;
}

void ReadTrace::mark(std::string_view key, int index)
{
    if (active_ != nullptr)
        active_->current_ = &active_->reads_[{std::string(key), index}];
}

} // namespace talvek
