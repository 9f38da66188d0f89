#include "place.h"

#include "records/json_support.h"

namespace talvek {

std::string describePlace(const Place &place)
{
    if (place.isText())
        return place.kind + " " + std::to_string(place.index) + " " + std::to_string(place.entry);
    std::string line = place.kind + " " + std::to_string(place.index);
    if (!place.name.empty())
        line += " " + json_support::printed(json_support::Json(place.name));
    if (!place.path.empty())
        line += " " + place.path;
    if (!place.usersKind.empty()) {
        line += place.users.empty() ? " (no " + place.usersKind : " (" + place.usersKind;
        for (std::size_t u = 0; u < place.users.size(); ++u)
            line += (u == 0 ? " " : ", ") + std::to_string(place.users[u]);
        line += ")";
    }
    return line;
}

} // namespace talvek
