// JSON as the protocol carries it, and reading a message's fields without trusting their types:
// a field that is missing or of another type reads as absent.
#ifndef TEVLIN_LSP_JSON_H_
#define TEVLIN_LSP_JSON_H_

#include <nlohmann/json.hpp>
#include <string>

using Json = nlohmann::json;

/// The member key of value, or null when value is no object or has none.
inline const Json* Member(const Json* value, const char* key) {
    if (value == nullptr || !value->is_object()) return nullptr;
    const auto found = value->find(key);
    return found == value->end() ? nullptr : &*found;
}

/// The text of value, or empty when it is no string.
inline std::string Text_of(const Json* value) {
    return value != nullptr && value->is_string() ? value->get<std::string>() : std::string();
}

/// The whole number of value, held to the range of int, or fallback when it is none.
inline int Number_of(const Json* value, int fallback) {
    if (value == nullptr || !value->is_number()) return fallback;
    const double number = value->get<double>();
    if (!(number > -2e9)) return -2000000000;
    if (!(number < 2e9)) return 2000000000;
    return static_cast<int>(number);
}

/// message as text, with any byte that is no UTF-8 replaced.
inline std::string Serialize(const Json& message) {
    return message.dump(-1, ' ', false, Json::error_handler_t::replace);
}

#endif  // TEVLIN_LSP_JSON_H_
