#pragma once

// The program's fixed texts. The source is UTF-8; the compiler stores them as
// GBK (code page 936), the code page the program is written for.

inline constexpr char kTextDefaultTitle[] = "信息：";

inline constexpr char kTextInstallDone[] = "恭喜: 基础程序复制完毕,请您查看帮助,进行手动配置!";
inline constexpr char kTextInstallFailed[] = "提示: 请您用管理员身份运行本软件! (安装失败!)";

inline constexpr char kTextFatalTitle[] = "Velquist - 运行时错误";
inline constexpr char kTextFatalFormat[] = "发生运行时错误，程序将退出。\r\n\r\n%s";
inline constexpr char kTextOutOfMemoryFormat[] = "内存不足：无法分配 %u 字节。";
