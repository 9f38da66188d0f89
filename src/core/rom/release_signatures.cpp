#include "release_signatures.h"

namespace talvek {

const ReleaseSignature &signatureOf(Release release)
{
    for (const auto &signature : kReleaseSignatures)
        if (signature.release == release)
            return signature;
    return kReleaseSignatures.front();
}

} // namespace talvek
