#pragma once
// ValueKind: the kinds of value a column or a statement parameter holds, as the
// reference host's tables use them.

namespace refhost {

// The kind of a column or parameter; decides the SQL type name and how a Null is bound.
enum class ValueKind { Text, Integer, Number, DateTime, Bytes, Bool };

}  // namespace refhost
