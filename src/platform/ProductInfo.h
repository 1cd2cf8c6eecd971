#pragma once
// Where users find the program and its makers; shown in the About box and written into
// exported scenes. Macros, so that they join other string literals.

#define PLANZETA_MAKER "Kelvora"
#define PLANZETA_WEB_ADDRESS "https://www.kelvora.example/planzeta"
#define PLANZETA_EMAIL_ADDRESS "planzeta@kelvora.example"
