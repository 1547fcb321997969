#pragma once
// The current adapter record: the one record of the main window's QAdapterList that the
// poll chose, or null. Set and cleared only by the main window's poll; everyone else
// reads it afresh each time, since a Refresh() may delete the record it pointed to.

class QAdapterInfo;

QAdapterInfo* GetCurrentAdapter();
void SetCurrentAdapter(QAdapterInfo* record);
