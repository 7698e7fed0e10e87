C:\zubo\baza\../../../etc/passwd
D:\dane\..
C:\zubo\baza\.

====
