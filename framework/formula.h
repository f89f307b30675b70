// SPDX-License-Identifier: GPL-3.0-or-later
// A conversion formula as a short chain of double-precision operations,
// applied left to right, each rounded once. Tables write the operations in
// the order they are listed, so nothing is folded or replaced by a reciprocal.
#pragma once

#include <cmath>
#include <cstdint>

namespace ambrel {

enum class OpKind : std::uint8_t {
    Mul,      // x × c
    Div,      // x ÷ c
    Add,      // x + c
    Sub,      // x − c
    DivInto,  // c ÷ x
    Fma,      // x × c + c2, one rounding
};

struct Op {
    OpKind kind = OpKind::Mul;
    double c = 0;
    double c2 = 0;
};

struct Formula {
    static constexpr int kMaxOps = 4;
    Op ops[kMaxOps]{};
    int count = 0;
    // Written in the table, even as the number itself (v, b): a row that
    // leaves its formulas out converts by its exact size.
    bool written = false;

    constexpr Formula mul(double c) const { return with({OpKind::Mul, c, 0}); }
    constexpr Formula div(double c) const { return with({OpKind::Div, c, 0}); }
    constexpr Formula add(double c) const { return with({OpKind::Add, c, 0}); }
    constexpr Formula sub(double c) const { return with({OpKind::Sub, c, 0}); }
    constexpr Formula divInto(double c) const { return with({OpKind::DivInto, c, 0}); }
    // x × c + c2 as one fused multiply-add.
    constexpr Formula fma(double c, double c2) const { return with({OpKind::Fma, c, c2}); }

    double apply(double x) const
    {
        for (int i = 0; i < count; ++i) {
            const Op& op = ops[i];
            switch (op.kind) {
            case OpKind::Mul: x = x * op.c; break;
            case OpKind::Div: x = x / op.c; break;
            case OpKind::Add: x = x + op.c; break;
            case OpKind::Sub: x = x - op.c; break;
            case OpKind::DivInto: x = op.c / x; break;
            case OpKind::Fma: x = std::fma(x, op.c, op.c2); break;
            }
        }
        return x;
    }

private:
    constexpr Formula with(Op op) const
    {
        Formula f = *this;
        if (f.count >= kMaxOps)
            throw "formula has too many operations";  // rejected at compile time
        f.ops[f.count++] = op;
        return f;
    }
};

// Unit tables start their formulas from these, mirroring the usual notation:
// v is the number typed, b the number read from the base field.
namespace table {
inline constexpr Formula v{.written = true};
inline constexpr Formula b{.written = true};
}  // namespace table

}  // namespace ambrel
