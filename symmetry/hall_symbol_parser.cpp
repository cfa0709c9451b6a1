#include "symmetry/hall_symbol_parser.h"

#include <cctype>

#include "symmetry/rotation_table.h"

namespace {

// Token classes of one rotation operator, in the order they may follow each other.
enum TokenClass { Improper = 0, OrderDigit = 1, AxisLetter = 2, AxisMark = 3, Translation = 4 };

bool isSeparator(char c) { return c == ' ' || c == '\t' || c == '.' || c == '_'; }

bool translationOf(char c, std::array<int, 3>& t) {
    switch (c) {
        case 'a': t = {6, 0, 0}; return true;
        case 'b': t = {0, 6, 0}; return true;
        case 'c': t = {0, 0, 6}; return true;
        case 'n': t = {6, 6, 6}; return true;
        case 'd': t = {3, 3, 3}; return true;
        case 'u': t = {3, 0, 0}; return true;
        case 'v': t = {0, 3, 0}; return true;
        case 'w': t = {0, 0, 3}; return true;
        default: return false;
    }
}

char markOf(char c) {
    switch (c) {
        case '"': case '+': return '"';
        case '\'': case 'q': return '\'';
        case '*': return '*';
        default: return '\0';
    }
}

struct Operator {
    bool started = false;
    int lastClass = -1;
    bool improper = false;
    int order = 0;
    char axis = '\0';
    char mark = '\0';
    int screw = 0;
    bool hasScrew = false;
    std::array<int, 3> translation{};
};

class Parser {
public:
    explicit Parser(SpaceGroupBuilder& builder) : builder_(builder) {}

    std::size_t parse(std::string_view text) {
        std::size_t i = 0;
        const std::size_t n = text.size();
        while (i < n && isSeparator(text[i])) ++i;
        if (i < n && text[i] == '-') {
            SeitzMatrix inversion{{-1, 0, 0, 0, -1, 0, 0, 0, -1}, {0, 0, 0}};
            if (!addOperation(builder_, inversion)) return i;
            ++i;
        }
        if (i >= n) return i;
        const LatticeType* lattice = findLatticeType(text[i]);
        if (!lattice) return i;
        builder_.lattice = lattice;
        for (int v = 1; v < lattice->vectorCount; ++v)
            if (!addOperation(builder_, SeitzMatrix{identityOperation().rotation, lattice->vectors[v]})) return i;
        ++i;

        while (i < n) {
            const char c = text[i];
            if (isSeparator(c)) {
                if (!finishOperator()) return i;
                ++i;
                continue;
            }
            if (c == '(') {
                if (!finishOperator()) return i;
                return parseOriginShift(text, i);
            }
            if (!takeToken(c)) return i;
            ++i;
        }
        return finishOperator() ? n : n - 1;
    }

private:
    bool takeToken(char c) {
        int cls;
        std::array<int, 3> letterShift{};
        const bool digit = c >= '0' && c <= '9';
        if (c == '-') {
            cls = Improper;
        } else if (digit) {
            const int value = c - '0';
            const bool screw = current_.order != 0 && value < current_.order && !current_.hasScrew && !current_.mark;
            if (screw) {
                cls = Translation;
            } else {
                if (value != 1 && value != 2 && value != 3 && value != 4 && value != 6) return false;
                cls = OrderDigit;
            }
        } else if (c == 'x' || c == 'y' || c == 'z') {
            cls = AxisLetter;
        } else if (markOf(c)) {
            cls = AxisMark;
        } else if (translationOf(c, letterShift)) {
            cls = Translation;
        } else {
            return false;
        }

        if (current_.started) {
            const int last = current_.lastClass;
            const bool continues = cls > last || (cls == Translation && last == Translation) ||
                                   (cls == AxisLetter && last == AxisMark && !current_.axis);
            if (!continues && !finishOperator()) return false;
        }

        Operator& op = current_;
        op.started = true;
        op.lastClass = cls;
        switch (cls) {
            case Improper: op.improper = true; break;
            case OrderDigit: op.order = c - '0'; break;
            case AxisLetter: op.axis = c; break;
            case AxisMark: op.mark = markOf(c); break;
            default:
                if (digit) {
                    op.screw = c - '0';
                    op.hasScrew = true;
                } else {
                    for (int k = 0; k < 3; ++k) op.translation[k] += letterShift[k];
                }
        }
        return true;
    }

    // Builds the operator read so far and inserts it; true when there was none.
    bool finishOperator() {
        if (!current_.started) return true;
        Operator op = current_;
        current_ = Operator{};
        if (op.order == 0) return false;

        if (!op.axis) {
            if (count_ == 0) {
                op.axis = 'z';
            } else if (op.order == 2) {
                if (previousOrder_ == 2 || previousOrder_ == 4) {
                    op.axis = 'x';
                } else if (previousOrder_ == 3 || previousOrder_ == 6) {
                    op.axis = previousAxis_;
                    if (!op.mark) op.mark = '\'';
                }
            } else if (op.order == 3 && !op.mark) {
                op.mark = '*';
            }
        }
        if (!op.axis && op.order != 1 && op.mark != '*') return false;

        const char mark = op.order == 1 ? '.' : (op.mark ? op.mark : '=');
        const ReferenceRotation* reference = findReferenceRotation(op.order, mark);
        if (!reference) return false;
        SeitzMatrix seitz{reference->matrix, {0, 0, 0}};
        if (op.improper)
            for (int& e : seitz.rotation) e = -e;
        if (op.order != 1 && op.mark != '*') {
            const int turns = op.axis == 'x' ? 1 : op.axis == 'y' ? 2 : 0;
            for (int t = 0; t < turns; ++t) seitz.rotation = conjugateCyclic(seitz.rotation);
        }
        std::array<int, 3> t = op.translation;
        if (op.hasScrew) {
            if (op.mark || !op.axis) return false;
            t[op.axis - 'x'] += op.screw * 12 / op.order;
        }
        for (int k = 0; k < 3; ++k) seitz.translation[k] = modulo12(t[k]);
        if (!addOperation(builder_, seitz)) return false;

        previousOrder_ = op.order;
        previousAxis_ = op.axis;
        ++count_;
        return true;
    }

    // "(x y z)": three integers 0..6 with optional '-', in twelfths.
    std::size_t parseOriginShift(std::string_view text, std::size_t i) {
        ++i;  // '('
        std::array<int, 3> shift{};
        int count = 0;
        while (true) {
            while (i < text.size() && isSeparator(text[i])) ++i;
            if (i >= text.size() || text[i] == ')') break;
            int sign = 1;
            if (text[i] == '-') {
                sign = -1;
                ++i;
            }
            if (i >= text.size() || text[i] < '0' || text[i] > '6' || count == 3) return i;
            int value = 0;
            while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
                value = value * 10 + (text[i] - '0');
                if (value > 6) return i;  // also keeps long digit runs from overflowing
                ++i;
            }
            shift[count++] = sign * value;
            if (i < text.size() && !isSeparator(text[i]) && text[i] != ')') return i;
        }
        if (count != 3) return i;
        builder_.originShift = shift;
        if (i < text.size()) ++i;  // ')'
        while (i < text.size() && isSeparator(text[i])) ++i;
        return i;
    }

    SpaceGroupBuilder& builder_;
    Operator current_;
    int count_ = 0;
    int previousOrder_ = 0;
    char previousAxis_ = '\0';
};

}  // namespace

std::size_t parseHallSymbol(std::string_view text, SpaceGroupBuilder& builder) {
    return Parser(builder).parse(text);
}
