#include "platform/settings_text.h"

#include <cstdint>

namespace {

const char kFormatLine[] = "kavexsound-settings 1";
const char kEndLine[] = "end";
const char kComment[] =
    "# Values the Kavexsound preset system remembers, shared by the family of plug-ins.";
const char kBinaryKind[] = "binary";
const char kStringKind[] = "string";
const char kHexDigits[] = "0123456789abcdef";

int hexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

void appendHexByte(std::string& out, uint8_t byte) {
    out += kHexDigits[byte >> 4];
    out += kHexDigits[byte & 0x0f];
}

bool parseHex(const std::string& hex, std::string& bytes) {
    if (hex.size() % 2 != 0) return false;
    bytes.clear();
    bytes.reserve(hex.size() / 2);
    for (size_t i = 0; i < hex.size(); i += 2) {
        const int high = hexDigitValue(hex[i]);
        const int low = hexDigitValue(hex[i + 1]);
        if (high < 0 || low < 0) return false;
        bytes += static_cast<char>(high * 16 + low);
    }
    return true;
}

bool isControl(uint8_t byte) { return byte < 0x20 || byte == 0x7f; }

bool isContinuation(const std::string& s, size_t i, uint8_t low = 0x80, uint8_t high = 0xbf) {
    if (i >= s.size()) return false;
    const auto byte = static_cast<uint8_t>(s[i]);
    return byte >= low && byte <= high;
}

// Length of the well-formed UTF-8 sequence of more than one byte at `i`, or
// 0. The second byte's range excludes overlong forms and surrogates.
size_t utf8SequenceAt(const std::string& s, size_t i) {
    const auto lead = static_cast<uint8_t>(s[i]);
    if (lead >= 0xc2 && lead <= 0xdf) return isContinuation(s, i + 1) ? 2 : 0;
    if (lead >= 0xe0 && lead <= 0xef) {
        const uint8_t low = lead == 0xe0 ? 0xa0 : 0x80;
        const uint8_t high = lead == 0xed ? 0x9f : 0xbf;
        return isContinuation(s, i + 1, low, high) && isContinuation(s, i + 2) ? 3 : 0;
    }
    if (lead >= 0xf0 && lead <= 0xf4) {
        const uint8_t low = lead == 0xf0 ? 0x90 : 0x80;
        const uint8_t high = lead == 0xf4 ? 0x8f : 0xbf;
        return isContinuation(s, i + 1, low, high) && isContinuation(s, i + 2) &&
                       isContinuation(s, i + 3)
                   ? 4
                   : 0;
    }
    return 0;
}

// Quoted, with every byte that is not printable UTF-8 escaped, so that the
// file stays valid UTF-8 text on one line whatever bytes the string holds.
std::string quoted(const std::string& s) {
    std::string out = "\"";
    for (size_t i = 0; i < s.size();) {
        const auto byte = static_cast<uint8_t>(s[i]);
        if (byte == '"' || byte == '\\') {
            out += '\\';
            out += s[i++];
        } else if (byte == '\n') {
            out += "\\n", ++i;
        } else if (byte == '\t') {
            out += "\\t", ++i;
        } else if (byte < 0x80 && !isControl(byte)) {
            out += s[i++];
        } else if (const size_t length = byte >= 0x80 ? utf8SequenceAt(s, i) : 0) {
            out.append(s, i, length);
            i += length;
        } else {
            out += "\\x";
            appendHexByte(out, byte);
            ++i;
        }
    }
    return out + "\"";
}

bool parseEscape(const std::string& text, size_t& i, std::string& out) {
    if (i >= text.size()) return false;
    const char c = text[i++];
    switch (c) {
        case '"':
        case '\\': out += c; return true;
        case 'n': out += '\n'; return true;
        case 't': out += '\t'; return true;
        case 'x': {
            if (i + 2 > text.size()) return false;
            const int high = hexDigitValue(text[i]);
            const int low = hexDigitValue(text[i + 1]);
            if (high < 0 || low < 0) return false;
            out += static_cast<char>(high * 16 + low);
            i += 2;
            return true;
        }
        default: return false;
    }
}

bool parseQuoted(const std::string& text, std::string& out) {
    if (text.size() < 2 || text.front() != '"' || text.back() != '"') return false;
    out.clear();
    for (size_t i = 1; i + 1 < text.size();) {
        const char c = text[i++];
        if (c == '\\') {
            // An escape never reaches into the closing quote.
            if (i + 1 >= text.size() || !parseEscape(text, i, out) || i >= text.size())
                return false;
        } else if (c == '"' || isControl(static_cast<uint8_t>(c))) {
            return false;
        } else {
            out += c;
        }
    }
    return true;
}

// One value line: name, a space, the kind, then a space and the content (an
// empty binary value may leave out both).
bool parseValueLine(const std::string& line, SettingsValues& values) {
    const size_t nameEnd = line.find(' ');
    if (nameEnd == std::string::npos) return false;
    const std::string name = line.substr(0, nameEnd);
    if (!isSettingsName(name)) return false;
    const size_t kindEnd = line.find(' ', nameEnd + 1);
    const std::string kind = line.substr(nameEnd + 1, kindEnd - (nameEnd + 1));
    const std::string content = kindEnd == std::string::npos ? "" : line.substr(kindEnd + 1);

    SettingsValue value;
    if (kind == kBinaryKind) {
        value.kind = SettingsValue::Kind::kBinary;
        if (!parseHex(content, value.bytes)) return false;
    } else if (kind == kStringKind) {
        value.kind = SettingsValue::Kind::kString;
        if (!parseQuoted(content, value.bytes)) return false;
    } else {
        return false;
    }
    values[name] = std::move(value);
    return true;
}

bool isIgnored(const std::string& line) { return line.empty() || line[0] == '#'; }

bool parseLines(const std::string& text, SettingsValues& values) {
    if (text.empty() || text.back() != '\n') return false;
    bool seenFormat = false;
    bool seenEnd = false;
    for (size_t start = 0; start < text.size();) {
        const size_t end = text.find('\n', start);
        const std::string line = text.substr(start, end - start);
        start = end + 1;
        if (isIgnored(line)) continue;
        if (seenEnd) return false;
        if (!seenFormat) {
            if (line != kFormatLine) return false;
            seenFormat = true;
        } else if (line == kEndLine) {
            seenEnd = true;
        } else if (!parseValueLine(line, values)) {
            return false;
        }
    }
    return seenEnd;
}

}  // namespace

bool isSettingsName(const std::string& name) {
    if (name.empty() || name.size() > kMaxSettingsNameBytes) return false;
    for (const char c : name) {
        const bool allowed = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                             (c >= '0' && c <= '9') || c == '_' || c == '.' || c == '-';
        if (!allowed) return false;
    }
    return true;
}

bool parseSettingsText(const std::string& text, SettingsValues& values) {
    values.clear();
    if (parseLines(text, values)) return true;
    values.clear();
    return false;
}

std::string formatSettingsText(const SettingsValues& values) {
    std::string text = std::string(kComment) + "\n" + kFormatLine + "\n";
    for (const auto& [name, value] : values) {
        text += name;
        if (value.kind == SettingsValue::Kind::kBinary) {
            text += std::string(" ") + kBinaryKind + " ";
            for (const char byte : value.bytes) appendHexByte(text, static_cast<uint8_t>(byte));
        } else {
            text += std::string(" ") + kStringKind + " " + quoted(value.bytes);
        }
        text += "\n";
    }
    return text + kEndLine + "\n";
}
