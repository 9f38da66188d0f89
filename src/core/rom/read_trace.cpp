#include "read_trace.h"

namespace talvek {

namespace {

constinit thread_local ReadTrace *active = nullptr;
constinit thread_local int labelDepth = 0;

} // namespace

ReadTrace::ReadTrace() : previous_(active)
{
    active = this;
}

ReadTrace::~ReadTrace()
{
    active = previous_;
}

void ReadTrace::mark(std::string_view key, int index)
{
    if (active != nullptr)
        active->current_ = &active->reads_[{std::string(key), index}];
}

void ReadTrace::noteRead(std::int64_t bufferIndex)
{
    if (active != nullptr && active->current_ != nullptr && labelDepth == 0)
        active->current_->push_back(bufferIndex);
}

LabelReads::LabelReads()
{
    ++labelDepth;
}

LabelReads::~LabelReads()
{
    --labelDepth;
}

} // namespace talvek
