#pragma once
// Gives each outline line its item-type code and splits it into keyword part
// and text part. The code depends on where the line stands: `Number: x` is a
// variable under Variables, a constant under User, a parameter type under an
// external function and a picture format under Formats.
#include <cstdint>
#include <string_view>

namespace zv::outline {

struct Classification {
    int type;
    std::uint16_t textStart;  // where the text part begins
    bool commented;           // a comment line, or below one
};

Classification ClassifyLine(int parentType, int grandParentType, bool parentCommented,
                            std::string_view line);

// The keyword part's length (without trailing blanks) of a classified line.
std::size_t TitleLength(std::string_view line, std::uint16_t textStart);

// The class named by the keyword of a declaration typed by its class
// ("cStack: oStack", "Receive cStack: rStack"): the keyword without "Receive "
// and the colon.
std::string_view TypedDeclarationClass(std::string_view title);

bool IsTopLevelWindowType(int type);
bool IsClassType(int type);
bool IsChildWindowType(int type);
bool IsCodeContainerType(int type);   // items whose children are statements
bool IsDeclarationSectionType(int type);

} // namespace zv::outline
