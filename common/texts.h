#pragma once

#include "common/maker.h"

// The program's fixed texts. The source is UTF-8; the compiler stores them as
// GBK (code page 936), the code page the program is written for.

inline constexpr char kTextDefaultTitle[] = "信息：";

inline constexpr char kTextInstallDone[] = "恭喜: 基础程序复制完毕,请您查看帮助,进行手动配置!";
inline constexpr char kTextInstallFailed[] = "提示: 请您用管理员身份运行本软件! (安装失败!)";

inline constexpr char kTextFatalTitle[] = "Velquist - 运行时错误";
inline constexpr char kTextFatalFormat[] = "发生运行时错误，程序将退出。\r\n\r\n%s";
inline constexpr char kTextOutOfMemoryFormat[] = "内存不足：无法分配 %u 字节。";

// The main window.
inline constexpr char kTextCaption[] = VELQUIST_PRODUCT;
inline constexpr char kTextWarning[] = "警告: 安装前,请您关闭所有杀毒软件! 否则会拦截!";
inline constexpr char kTextInstallButton[] = "点击这里开始安装";
inline constexpr char kTextHelpButton[] = "查看帮助(必看)";
inline constexpr char kTextUsage[] = "使用帮助:\r\n"
                                     "1.请使用管理员身份打开本软件!\r\n"
                                     "2.安装完必要Dll以后,您还要查看帮助,手动配置!";
inline constexpr char kTextCredit[] = "本工具由 " VELQUIST_MAKER " 开发,并且免费提供!\r\n"
                                      VELQUIST_MAKER "-总有您想要的! " VELQUIST_MAKER_ADDRESS;

inline constexpr char kTextWindowFailed[] = "无法创建主窗口。";
