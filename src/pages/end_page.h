// Step 6, the last page of both roads: success, the default user, and a restart offered.
#pragma once

class TForm;

TForm* CreateEndPage();
