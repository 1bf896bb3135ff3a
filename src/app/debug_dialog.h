#pragma once

// Routes the log's failure reports to the message dialog.
void InstallDebugDialog();
