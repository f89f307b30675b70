// Helpers for driving a window on the headless platform as a person would.
#pragma once

#include "framework/converter_window.h"
#include "framework/entry.h"
#include "headless/headless_platform.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace ambrel::testing {

// One controller of type T on its own headless platform, opened at accuracy 4.
template <class T>
struct Rig {
    HeadlessPlatform platform;
    T window{platform};

    Rig()
    {
        window.parts();
        if constexpr (std::is_base_of_v<ConverterWindow, T>)
            window.accuracyChange(4);
        platform.events().clear();
    }

    // Types `text` into `outlet` and presses Enter; false if refused.
    bool type(const std::string& outlet, const std::string& text)
    {
        const int index = window.fieldIndex(outlet);
        EXPECT_GE(index, 0) << "no field " << outlet;
        if (index < 0)
            return false;
        return typeAndConfirm(platform, window, index, text).accepted;
    }

    double value(const std::string& outlet)
    {
        Field* f = window.field(outlet);
        EXPECT_NE(f, nullptr) << "no field " << outlet;
        return f ? f->doubleValue() : 0;
    }

    HeadlessField& cell(const std::string& outlet) { return static_cast<HeadlessField&>(*window.field(outlet)); }

    // Sets a field's number without any conversion (a prepared state).
    void set(const std::string& outlet, double v) { window.field(outlet)->setDoubleValue(v); }

    // Outlets written by the controller since the last clear, in order.
    std::vector<std::string> writes() const
    {
        std::vector<std::string> out;
        for (const Event& e : platform.events().events())
            if (e.kind == "write")
                out.push_back(e.target);
        return out;
    }
    void clear() { platform.events().clear(); }
};

}  // namespace ambrel::testing
