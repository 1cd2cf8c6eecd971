#pragma once
// Where users find the program and its makers; shown in the About box and written into
// exported scenes. Macros, so that they join other string literals. The web address is the
// project's home page of the build (PLANZETA_WEB_ADDRESS), which the package names too.

#define PLANZETA_MAKER "Kelvora"
#define PLANZETA_EMAIL_ADDRESS "planzeta@kelvora.example"
