// TStrings: a list of text lines; TStringList keeps them in memory.
#pragma once

#include "framework/object.h"

#include <functional>
#include <string>
#include <vector>

class TStrings : public TPersistent {
    T_CLASS(TStrings, TPersistent)
public:
    virtual int Count() const = 0;
    virtual std::string Get(int index) const = 0;
    std::string operator[](int index) const { return Get(index); }
    virtual void Clear() = 0;
    virtual int Add(const std::string& line) = 0;
    // Every line followed by CR LF ("" for no lines).
    virtual std::string Text() const;
    // Splits at CR LF, LF or CR; a final line break does not start another line.
    virtual void SetText(const std::string& text);
    void Assign(const TPersistent* source) override;

    static std::vector<std::string> SplitLines(const std::string& text);
};

class TStringList : public TStrings {
    T_CLASS(TStringList, TStrings)
public:
    int Count() const override { return static_cast<int>(lines_.size()); }
    std::string Get(int index) const override { return lines_.at(static_cast<std::size_t>(index)); }
    void Clear() override {
        lines_.clear();
        Changed();
    }
    int Add(const std::string& line) override {
        lines_.push_back(line);
        Changed();
        return Count() - 1;
    }
    // After every change of the lines (a control showing them rebuilds its view).
    std::function<void()> OnChange;

private:
    void Changed() {
        if (OnChange) OnChange();
    }
    std::vector<std::string> lines_;
};
