#pragma once

namespace zv::outline {

// The name of an item-type code, as ItemTypes.h spells it ("?" for none).
const char* ItemTypeName(int type);

} // namespace zv::outline
