#pragma once
// QAdapterList: the adapters of the machine, newest at the head. It owns its records:
// removing one deletes it, so a pointer to a record is good only until the next
// Refresh() or Clear().
//
// Usage:  AdapterContext context(library, desktop);
//         QAdapterList list(context);            // enumerates at once
//         list.Refresh();                        // every poll
//         QAdapterInfo* a = list.FindByDescription("Wireless USB Adapter");

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "adapter/adapter_context.h"
#include "adapter/q_adapter_info.h"

class QAdapterList {
public:
    // Makes the list and runs Enumerate().
    explicit QAdapterList(AdapterContext& context);
    virtual ~QAdapterList();

    QAdapterList(const QAdapterList&) = delete;
    QAdapterList& operator=(const QAdapterList&) = delete;

    virtual const char* GetRuntimeClassName() const { return "QAdapterList"; }

    // Clears the list, then adds one record per adapter the library enumerates, each at
    // the head (so the list ends in reverse enumeration order). False, list empty, when
    // the enumeration cannot be opened.
    bool Enumerate();
    // Removes and deletes every record.
    void Clear();
    // Re-enumerates into a fresh list and merges: new adapters are copied in at the head,
    // vanished ones removed and deleted; records that stay keep their state. A fresh
    // enumeration that yields nothing leaves this list untouched.
    void Refresh();

    // First record from the head whose description contains text (case-sensitive).
    QAdapterInfo* FindByDescription(const std::string& text) const;
    // First record whose deviceName equals name exactly.
    QAdapterInfo* FindByDeviceName(const std::string& name) const;

    // Records by position, 0 = head.
    std::size_t GetCount() const { return records_.size(); }
    bool IsEmpty() const { return records_.empty(); }
    QAdapterInfo* GetAt(std::size_t index) const;

    // Takes ownership and puts the record at the head.
    void AddHead(std::unique_ptr<QAdapterInfo> record);
    // Removes the record (if it is in the list) and deletes it.
    void RemoveAndDelete(QAdapterInfo* record);

private:
    AdapterContext& context_;
    std::vector<std::unique_ptr<QAdapterInfo>> records_;  // index 0 = head
};
