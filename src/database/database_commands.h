#pragma once

struct Program;

// Connects "データベースに切りかえ" and "ﾃﾞｰﾀﾍﾞｰｽに保存する" to their handlers.
void connectDatabaseCommands(Program& program);
