// SPDX-License-Identifier: GPL-3.0-or-later
#include "headless/headless_platform.h"

#include "framework/controller.h"
#include "framework/number_text.h"
#include "framework/window_plan.h"

#include <fstream>

namespace ambrel {

std::vector<Event> EventLog::ofKind(std::string_view kind) const
{
    std::vector<Event> out;
    for (const Event& e : events_)
        if (e.kind == kind)
            out.push_back(e);
    return out;
}

int EventLog::count(std::string_view kind) const
{
    int n = 0;
    for (const Event& e : events_)
        n += e.kind == kind;
    return n;
}

// --- cells ---------------------------------------------------------------

double HeadlessField::doubleValue() const
{
    if (isText_)
        return readNumber(text_).value;
    return value_;
}

void HeadlessField::setDoubleValue(double value)
{
    value_ = value;
    refused_.reset();
    if (isText_)
        text_ = formatExact(value);
    if (log_.recording())
        log_.add({"write", name_, value, {}});
}

std::string HeadlessField::stringValue() const
{
    if (refused_)
        return *refused_;
    return isText_ ? text_ : formatExact(value_);
}

void HeadlessField::setStringValue(std::string_view text)
{
    text_ = text;
    refused_.reset();
    if (!isText_)
        value_ = readNumber(text).value;
    log_.add({"text", name_, 0, std::string(text)});
}

void HeadlessField::setFloatingPointFormat(bool, int, int right)
{
    digits_ = right;
    if (log_.recording())
        log_.add({"format", name_, static_cast<double>(right), {}});
}

void HeadlessField::setTitle(std::string_view title)
{
    title_ = title;
    log_.add({"title", name_, 0, std::string(title)});
}

void HeadlessField::acceptEntry(double value)
{
    value_ = value;
    refused_.reset();
    if (log_.recording())
        log_.add({"entry", name_, value, {}});
}

void HeadlessField::keepRefusedText(std::string_view text)
{
    refused_ = std::string(text);
    log_.add({"refused", name_, 0, std::string(text)});
}

std::string HeadlessField::shown() const
{
    if (refused_)
        return *refused_;
    if (isText_)
        return text_;
    if (digits_ == kUnformatted)
        return formatExact(value_);
    return formatShown(value_, digits_);
}

// --- boxes, choices, controls -------------------------------------------

void HeadlessBox::selectCellWithTag(int tag)
{
    selected_ = tag;
    if (log_.recording())
        log_.add({"select", name_, static_cast<double>(tag), {}});
}

Field* HeadlessBox::cellAtIndex(int index)
{
    if (index < 0 || index >= cellCount())
        return nullptr;
    return cells_[index];
}

void HeadlessChoice::selectItemWithTag(int tag)
{
    selected_ = tag;
    log_.add({"choose", name_, static_cast<double>(tag), {}});
}

void HeadlessChoice::selectItemAtIndex(int index)
{
    if (index >= 0 && index < static_cast<int>(tags_.size()))
        selectItemWithTag(tags_[index]);
}

void HeadlessIntControl::setIntValue(int value)
{
    value_ = value;
    log_.add({"write", name_, static_cast<double>(value), {}});
}

// --- windows ----------------------------------------------------------------

void HeadlessWindow::center()
{
    log_.add({"center", name_, 0, {}});
}

void HeadlessWindow::makeKeyAndOrderFront()
{
    visible_ = true;
    *key_ = this;
    log_.add({"front", name_, 0, {}});
}

void HeadlessWindow::orderOut()
{
    visible_ = false;
    if (*key_ == this)
        *key_ = nullptr;
    log_.add({"orderOut", name_, 0, {}});
}

void HeadlessWindow::performClose()
{
    visible_ = false;
    if (*key_ == this)
        *key_ = nullptr;
    log_.add({"close", name_, 0, {}});
}

void HeadlessWindow::setTitle(std::string_view title)
{
    title_ = title;
    log_.add({"title", name_, 0, std::string(title)});
}

void HeadlessWindow::print()
{
    log_.add({"print", name_, 0, {}});
}

void HeadlessNotebookView::setString(std::string_view text)
{
    text_ = text;
    log_.add({"notebookText", "NotebookScrollView", 0, std::string(text)});
}

bool HeadlessNotebookView::readDocumentFromFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    text_.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    log_.add({"notebookLoad", "NotebookScrollView", 0, path});
    return true;
}

// --- defaults ---------------------------------------------------------------

bool HeadlessDefaults::boolForKey(std::string_view key) const
{
    return integerForKey(key) != 0;
}

long long HeadlessDefaults::integerForKey(std::string_view key) const
{
    const auto it = values_.find(key);
    return it == values_.end() ? 0 : it->second;
}

void HeadlessDefaults::setBool(std::string_view key, bool value)
{
    values_[std::string(key)] = value ? 1 : 0;
}

void HeadlessDefaults::setInteger(std::string_view key, long long value)
{
    values_[std::string(key)] = value;
}

bool HeadlessDefaults::contains(std::string_view key) const
{
    return values_.find(key) != values_.end();
}

void HeadlessDefaults::remove(std::string_view key)
{
    const auto it = values_.find(key);
    if (it != values_.end())
        values_.erase(it);
}

// --- platform ---------------------------------------------------------------

HeadlessPlatform::HeadlessPlatform()
    : interfaces_{{"Warranty", {"FirstRunWindow"}},
                  {"HelpIntro", {"HelpIntroWindow"}},
                  {"MoreInfo", {"MoreInfoWindow"}},
                  {"SIPrefixes", {"SIPrefixesWindow"}}}
{}

HeadlessPlatform::~HeadlessPlatform() = default;

void HeadlessPlatform::scheduleTimer(double seconds, std::function<void()> action)
{
    timers_.push_back(std::move(action));
    timerDelays_.push_back(seconds);
    log_.add({"timer", {}, seconds, {}});
}

int HeadlessPlatform::fireTimers()
{
    std::vector<std::function<void()>> due;
    due.swap(timers_);
    for (auto& t : due)
        t();
    return static_cast<int>(due.size());
}

void HeadlessPlatform::beep()
{
    log_.add({"beep", {}, 0, {}});
}

void HeadlessPlatform::log(std::string_view line)
{
    log_.add({"log", {}, 0, std::string(line)});
}

std::vector<std::string> HeadlessPlatform::logLines() const
{
    std::vector<std::string> lines;
    for (const Event& e : log_.ofKind("log"))
        lines.push_back(e.text);
    return lines;
}

void HeadlessPlatform::activateIgnoringOtherApps()
{
    log_.add({"activate", {}, 0, {}});
}

HeadlessWindow* HeadlessPlatform::makeWindow(std::string name, std::string title)
{
    windows_.push_back(std::make_unique<HeadlessWindow>(log_, std::move(name), &key_, std::move(title)));
    return windows_.back().get();
}

BuiltWindow HeadlessPlatform::buildWindow(const WindowPlan& plan, WindowController&)
{
    BuiltWindow built;
    built.window = makeWindow(plan.outlet, plan.title);
    std::vector<HeadlessBox*> boxes;
    for (const BoxPlan& b : plan.boxes) {
        boxes_.push_back(std::make_unique<HeadlessBox>(log_, b.outlet));
        boxes.push_back(boxes_.back().get());
        built.boxes.push_back(boxes.back());
    }
    for (const FieldPlan& f : plan.fields) {
        fields_.push_back(std::make_unique<HeadlessField>(log_, f.outlet, f.kind, f.label));
        HeadlessField* cell = fields_.back().get();
        if (f.box >= 0 && f.box < static_cast<int>(boxes.size()))
            boxes[f.box]->addCell(cell);
        built.fields.push_back(cell);
    }
    for (const ChoicePlan& c : plan.choices) {
        std::vector<int> tags;
        for (const ChoiceItem& item : c.items)
            tags.push_back(item.tag);
        choices_.push_back(std::make_unique<HeadlessChoice>(log_, c.outlet, std::move(tags), c.initialTag));
        built.choices.push_back(choices_.back().get());
    }
    return built;
}

MenuParts HeadlessPlatform::buildMenu(Controller&, const MenuPlan& plan)
{
    menuPlan_ = plan;
    MenuParts parts;
    parts.mainMenuWindow = makeWindow("MainMenuWindow");
    parts.infoPanel = makeWindow("InfoPanel");
    parts.bonusCalcsWindow = makeWindow("BonusCalcsWindow");
    intControls_.push_back(std::make_unique<HeadlessIntControl>(log_, "AccuracyField", initialAccuracyField_));
    parts.accuracyField = intControls_.back().get();
    intControls_.push_back(std::make_unique<HeadlessIntControl>(log_, "AccuracySlider", initialAccuracyField_));
    parts.accuracySlider = intControls_.back().get();
    intControls_.push_back(std::make_unique<HeadlessIntControl>(log_, "ExactDefinitions", 0));
    parts.exactDefinitions = intControls_.back().get();
    return parts;
}

bool HeadlessPlatform::loadInterface(std::string_view name, Controller& owner)
{
    const auto it = interfaces_.find(name);
    if (it == interfaces_.end())
        return false;
    for (const std::string& outlet : it->second) {
        HeadlessWindow* w = makeWindow(outlet);
        owner.connectOutlet(outlet, w);
        // The windows of the interface files show themselves.
        w->makeKeyAndOrderFront();
    }
    log_.add({"load", std::string(name), 0, {}});
    return true;
}

std::optional<std::string> HeadlessPlatform::pathForResource(std::string_view name, std::string_view type)
{
    std::string key(name);
    key += '.';
    key += type;
    const auto it = resources_.find(key);
    if (it == resources_.end())
        return std::nullopt;
    return it->second;
}

Window* HeadlessPlatform::notebookWindow()
{
    if (!notebookWindow_)
        notebookWindow_ = makeWindow("NotebookWindow");
    return notebookWindow_;
}

NotebookView* HeadlessPlatform::notebookView()
{
    if (!notebookView_)
        notebookView_ = std::make_unique<HeadlessNotebookView>(log_);
    return notebookView_.get();
}

void HeadlessPlatform::openURL(std::string_view address)
{
    log_.add({"openURL", {}, 0, std::string(address)});
}

HeadlessWindow* HeadlessPlatform::window(std::string_view name)
{
    for (auto it = windows_.rbegin(); it != windows_.rend(); ++it)
        if ((*it)->name() == name)
            return it->get();
    return nullptr;
}

HeadlessField* HeadlessPlatform::field(std::string_view name)
{
    for (auto& f : fields_)
        if (f->name() == name)
            return f.get();
    return nullptr;
}

HeadlessBox* HeadlessPlatform::box(std::string_view name)
{
    for (auto& b : boxes_)
        if (b->name() == name)
            return b.get();
    return nullptr;
}

HeadlessIntControl* HeadlessPlatform::intControl(std::string_view name)
{
    for (auto& c : intControls_)
        if (c->name() == name)
            return c.get();
    return nullptr;
}

}  // namespace ambrel
