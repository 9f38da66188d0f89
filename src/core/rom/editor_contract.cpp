#include "editor_contract.h"

namespace talvek {

const EditorInfo &editorInfo(EditorKind kind)
{
    return kEditors[static_cast<std::size_t>(kind)];
}

std::optional<std::string> editorRefusal(EditorKind kind, const RomImage &image)
{
    if (!image.isLoaded())
        return std::string("No ROM is loaded. Open one with File, Open rom.");
    if (image.size() == kGbaImageSize)
        return std::string(editorInfo(kind).gbaRefusal);
    if (!image.holdsGameLayout())
        return "This file is too small for the editors: it holds " + std::to_string(image.size())
            + " bytes, and the Final Fantasy II data needs at least " + std::to_string(kFf2ImageSize + image.romBase())
            + ".";
    return std::nullopt;
}

} // namespace talvek
