#include "adapter/current_adapter.h"

namespace {
// The one process-wide pointer; the main window's poll is its only writer.
QAdapterInfo* currentAdapter = nullptr;
}  // namespace

QAdapterInfo* GetCurrentAdapter() { return currentAdapter; }
void SetCurrentAdapter(QAdapterInfo* record) { currentAdapter = record; }
