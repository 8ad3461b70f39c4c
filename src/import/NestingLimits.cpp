#include "NestingLimits.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

namespace vantorel::nesting {

bool jsonWithin(std::string_view bytes, std::size_t levels) {
    std::size_t depth = 0;
    bool inString = false;
    bool escaped = false;
    for (const char c : bytes) {
        if (inString) {
            if (escaped) {
                escaped = false;
            } else if (c == '\\') {
                escaped = true;
            } else if (c == '"') {
                inString = false;
            }
        } else if (c == '"') {
            inString = true;
        } else if (c == '[' || c == '{') {
            if (++depth > levels) {
                return false;
            }
        } else if ((c == ']' || c == '}') && depth > 0) {
            --depth;
        }
    }
    return true;
}

bool xmlWithin(std::string_view bytes, std::size_t levels) {
    std::size_t depth = 0;
    // Markup that is not an element is skipped to its end: comments, character data, processing
    // instructions and declarations.
    const auto skipTo = [&](std::size_t from, std::string_view end) {
        const std::size_t found = bytes.find(end, from);
        return found == std::string_view::npos ? bytes.size() : found + end.size();
    };
    for (std::size_t at = bytes.find('<'); at < bytes.size(); at = bytes.find('<', at)) {
        const std::string_view rest = bytes.substr(at);
        if (rest.starts_with("<!--")) {
            at = skipTo(at + 4, "-->");
        } else if (rest.starts_with("<![CDATA[")) {
            at = skipTo(at + 9, "]]>");
        } else if (rest.starts_with("<?")) {
            at = skipTo(at + 2, "?>");
        } else if (rest.starts_with("<!") || rest.starts_with("</")) {
            if (rest[1] == '/' && depth > 0) {
                --depth;
            }
            at = skipTo(at + 2, ">");
        } else {
            const std::size_t end = skipTo(at + 1, ">");
            // <dict/> opens nothing.
            if (end <= at + 2 || bytes[end - 2] != '/') {
                if (++depth > levels) {
                    return false;
                }
            }
            at = end;
        }
    }
    return true;
}

namespace {

// Big-endian unsigned integer of `size` bytes at `at`, if it fits in `bytes`.
std::optional<std::uint64_t> bigEndian(std::string_view bytes, std::uint64_t at, std::uint64_t size) {
    if (at > bytes.size() || size > bytes.size() - at || size > 8) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    for (std::uint64_t i = 0; i < size; ++i) {
        value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    }
    return value;
}

// One container object of a binary property list: where its references start and how many.
struct Container {
    std::uint64_t references = 0;
    std::uint64_t count = 0;
};

} // namespace

bool binaryPropertyListWithin(std::string_view bytes, std::size_t levels, std::uint64_t values) {
    constexpr std::uint64_t trailerSize = 32;
    constexpr std::uint64_t headerSize = 8;
    if (!bytes.starts_with("bplist00") || bytes.size() < headerSize + trailerSize) {
        return true;
    }
    const std::uint64_t trailer = bytes.size() - trailerSize;
    const std::uint64_t offsetSize = static_cast<unsigned char>(bytes[trailer + 6]);
    const std::uint64_t referenceSize = static_cast<unsigned char>(bytes[trailer + 7]);
    const auto objects = bigEndian(bytes, trailer + 8, 8);
    const auto top = bigEndian(bytes, trailer + 16, 8);
    const auto table = bigEndian(bytes, trailer + 24, 8);
    if (offsetSize == 0 || offsetSize > 8 || referenceSize == 0 || referenceSize > 8 || !objects || !top || !table ||
        *table < headerSize || *table > trailer || *objects == 0 || *objects > (trailer - *table) / offsetSize ||
        *top >= *objects) {
        return true;
    }

    // The container an object is, if it is one whose references lie within the object data.
    const auto containerAt = [&](std::uint64_t object) -> std::optional<Container> {
        const auto offset = bigEndian(bytes, *table + object * offsetSize, offsetSize);
        if (!offset || *offset < headerSize || *offset >= *table) {
            return std::nullopt;
        }
        const auto marker = static_cast<unsigned char>(bytes[*offset]);
        const unsigned type = marker >> 4;
        if (type != 0xA && type != 0xC && type != 0xD) {
            return std::nullopt;
        }
        std::uint64_t count = marker & 0xF;
        std::uint64_t references = *offset + 1;
        if (count == 0xF) {
            // The count follows as an integer object: a marker 0x1n and 2^n bytes.
            const auto sizeMarker = bigEndian(bytes, references, 1);
            if (!sizeMarker || (*sizeMarker >> 4) != 0x1 || (*sizeMarker & 0xF) > 3) {
                return std::nullopt;
            }
            const std::uint64_t countSize = std::uint64_t(1) << (*sizeMarker & 0xF);
            const auto longCount = bigEndian(bytes, references + 1, countSize);
            if (!longCount) {
                return std::nullopt;
            }
            count = *longCount;
            references += 1 + countSize;
        }
        if (references > *table) {
            return std::nullopt;
        }
        if (type == 0xD) {
            count *= 2; // the keys, then the values
        }
        if (count > (*table - references) / referenceSize) {
            return std::nullopt;
        }
        return Container{references, count};
    };

    // Depth-first, with a stack of our own: each object's depth and unfolded size once its children's
    // are known, so that an object reached by many paths is looked at once.
    enum : std::uint8_t { unseen, open, done };
    std::vector<std::uint8_t> state(*objects, unseen);
    std::vector<std::uint32_t> depth(*objects, 1);
    std::vector<std::uint64_t> unfolded(*objects, 1);
    // Adds a finished child to its parent; false once either bound is passed.
    const auto count = [&](std::uint64_t parent, std::uint64_t child) {
        depth[parent] = std::max(depth[parent], depth[child] + 1);
        unfolded[parent] += unfolded[child];
        return depth[parent] <= levels && unfolded[parent] <= values;
    };
    struct Frame {
        std::uint64_t object;
        Container container;
        std::uint64_t next;
    };
    std::vector<Frame> stack;
    const auto enter = [&](std::uint64_t object) {
        const auto container = containerAt(object);
        if (!container || container->count == 0) {
            state[object] = done;
            return true;
        }
        if (stack.size() >= levels) {
            return false;
        }
        state[object] = open;
        stack.push_back({object, *container, 0});
        return true;
    };
    if (!enter(*top)) {
        return false;
    }
    while (!stack.empty()) {
        Frame& frame = stack.back();
        if (frame.next == frame.container.count) {
            state[frame.object] = done;
            const std::uint64_t finished = frame.object;
            stack.pop_back();
            if (!stack.empty() && !count(stack.back().object, finished)) {
                return false;
            }
            continue;
        }
        const auto child = bigEndian(bytes, frame.container.references + frame.next * referenceSize, referenceSize);
        ++frame.next;
        if (!child || *child >= *objects) {
            continue; // the parser's to refuse
        }
        if (state[*child] == open) {
            return false; // a loop: as deep as anything goes round it
        }
        if (state[*child] == done) {
            if (!count(frame.object, *child)) {
                return false;
            }
            continue;
        }
        if (!enter(*child)) {
            return false;
        }
        // A value that holds nothing is done at once, and counts as it is.
        if (state[*child] == done && !count(stack.back().object, *child)) {
            return false;
        }
    }
    return true;
}

bool derWithin(std::string_view bytes, std::size_t levels) {
    // The ends of the constructed values around the current position; an indefinite length (BER)
    // ends at its end-of-contents octets.
    constexpr std::size_t indefinite = SIZE_MAX;
    std::vector<std::size_t> ends;
    std::size_t at = 0;
    while (at < bytes.size()) {
        while (!ends.empty() && ends.back() != indefinite && at >= ends.back()) {
            ends.pop_back();
        }
        const auto tag = static_cast<unsigned char>(bytes[at++]);
        if ((tag & 0x1F) == 0x1F) {
            while (at < bytes.size() && (static_cast<unsigned char>(bytes[at]) & 0x80) != 0) {
                ++at;
            }
            ++at;
        }
        if (at >= bytes.size()) {
            return true;
        }
        const auto first = static_cast<unsigned char>(bytes[at++]);
        std::size_t length = first;
        bool lengthKnown = true;
        if (first == 0x80) {
            lengthKnown = false;
        } else if (first > 0x80) {
            const auto value = bigEndian(bytes, at, first & 0x7F);
            if (!value || *value > bytes.size()) {
                return true;
            }
            length = std::size_t(*value);
            at += first & 0x7F;
        }
        if (tag == 0 && first == 0) { // end of contents
            if (!ends.empty() && ends.back() == indefinite) {
                ends.pop_back();
            }
            continue;
        }
        if ((tag & 0x20) != 0) {
            ends.push_back(lengthKnown ? at + length : indefinite);
            if (ends.size() > levels) {
                return false;
            }
        } else if (lengthKnown) {
            at += length;
        } else {
            return true; // a primitive value has no indefinite length: the parser's to refuse
        }
    }
    return true;
}

} // namespace vantorel::nesting
