#include "adapter/q_adapter_list.h"

#include <algorithm>

namespace {
constexpr uint32_t kEnumeration9xFlags = 0x10000;
}

QAdapterList::QAdapterList(AdapterContext& context) : context_(context) {
    records_.reserve(10);
    Enumerate();
}

QAdapterList::~QAdapterList() { Clear(); }

void QAdapterList::Clear() {
    // Head first, each record closing its own adapter and event.
    while (!records_.empty()) records_.erase(records_.begin());
}

QAdapterInfo* QAdapterList::GetAt(std::size_t index) const {
    return index < records_.size() ? records_[index].get() : nullptr;
}

void QAdapterList::AddHead(std::unique_ptr<QAdapterInfo> record) {
    if (record) records_.insert(records_.begin(), std::move(record));
}

void QAdapterList::RemoveAndDelete(QAdapterInfo* record) {
    auto it = std::find_if(records_.begin(), records_.end(),
                           [record](const std::unique_ptr<QAdapterInfo>& r) { return r.get() == record; });
    if (it != records_.end()) records_.erase(it);
}

bool QAdapterList::Enumerate() {
    Clear();
    AdapterLibrary& lib = context_.library();
    const LibHandle enumeration =
        context_.IsWin9xFamily() ? lib.OpenEnumeration9x(kEnumeration9xFlags) : lib.OpenEnumerationNt();
    if (enumeration == kNoHandle) return false;

    for (LibHandle entry = lib.FirstEntry(enumeration); entry != kNoHandle; entry = lib.NextEntry(enumeration)) {
        auto record = std::make_unique<QAdapterInfo>(context_, entry);
        if (record->valid) AddHead(std::move(record));
        lib.ReleaseEntry(entry);
    }
    lib.CloseEnumeration(enumeration);
    return true;
}

void QAdapterList::Refresh() {
    QAdapterList fresh(context_);
    // An enumeration that finds nothing (or fails) says nothing about the adapters we
    // know: keep them, and the current adapter record with them.
    if (fresh.IsEmpty()) return;

    for (const auto& r : fresh.records_) {
        if (!r->valid || FindByDeviceName(r->deviceName)) continue;
        auto copy = std::make_unique<QAdapterInfo>(context_);
        copy->CopyFrom(*r);
        AddHead(std::move(copy));
    }
    for (auto it = records_.begin(); it != records_.end();) {
        if ((*it)->valid && !fresh.FindByDeviceName((*it)->deviceName))
            it = records_.erase(it);
        else
            ++it;
    }
}

QAdapterInfo* QAdapterList::FindByDescription(const std::string& text) const {
    for (const auto& r : records_)
        if (r->description.find(text) != std::string::npos) return r.get();
    return nullptr;
}

QAdapterInfo* QAdapterList::FindByDeviceName(const std::string& name) const {
    for (const auto& r : records_)
        if (r->deviceName == name) return r.get();
    return nullptr;
}
