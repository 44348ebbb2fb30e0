#pragma once
// Who made the game and where to reach them: the version page's credit, mail address and
// home page, and the two link targets.

#include <string_view>

namespace zelmo::about {

inline constexpr std::string_view AuthorCredit = "開発者一同";
inline constexpr std::string_view MailAddress = "zelmo-dan@example.org";
inline constexpr std::string_view HomepageAddress = "https://example.org/zelmo_dan/";

inline constexpr std::string_view MailLinkTarget = "mailto:zelmo-dan@example.org";
inline constexpr std::string_view HomepageLinkTarget = "https://example.org/zelmo_dan/";

inline constexpr std::string_view ReleaseDate = "2003.11.03";
inline constexpr std::string_view TitleVersion = "ゼ　ル　モ　団　３ｄ";

} // namespace zelmo::about
